# Sample mails for the junk filter's accuracy run: good mail of work, school,
# family, shops and banks, and junk of prizes, dating, side jobs and phishing
# that imitates the same shops and banks. {slots} are filled by make_japanese.py.

HAM = [
    ("Re: {project}の打ち合わせについて",
     "{sender_name}です。\nお疲れさまです。\n\n{day}の{project}の打ち合わせですが、{time}から{room}で行います。\n"
     "資料は前日までに共有フォルダに置いておきます。\n議題は次の三点です。\n・進捗の確認\n・{topic}について\n・次回の日程\n\n"
     "ご都合が悪い場合はご連絡ください。\nよろしくお願いいたします。"),
    ("{project} 議事録（{date}）",
     "関係者各位\n\n本日の定例会の議事録をお送りします。\n\n1. {topic}の進捗：予定どおり\n2. 課題：{issue}\n"
     "3. 次回：{day} {time}〜\n\n修正があれば{sender_name}までお知らせください。"),
    ("見積書送付のご案内",
     "{company}\n{recipient_name}様\n\nいつもお世話になっております。{sender_company}の{sender_name}でございます。\n"
     "先日ご依頼いただきました{product}の見積書を添付にてお送りいたします。\n金額は税込{amount}円です。\n"
     "ご不明な点がございましたら、お気軽にお問い合わせください。\n今後ともよろしくお願い申し上げます。"),
    ("{school}　{event}のお知らせ",
     "保護者の皆様\n\n{school}です。\n{day}に{event}を行います。雨天の場合は{rain_day}に延期します。\n"
     "持ち物：お弁当、水筒、帽子\n集合：{time}　{place}\n\n欠席される場合は連絡帳でお知らせください。"),
    ("今度の週末",
     "{recipient_first}へ\n\n元気？ 週末に{place}へ行こうと思うんだけど、一緒にどう？\n{time}ごろ駅で待ち合わせでいいかな。\n"
     "お昼は{food}にしよう。写真も撮りたいね。\n\n{sender_first}"),
    ("【{shop}】ご注文の商品を発送しました",
     "{recipient_name}様\n\n{shop}をご利用いただきありがとうございます。\nご注文（注文番号 {order}）の商品を本日発送いたしました。\n"
     "お届け予定日：{day}\n配送業者：{carrier}\n\nお届け状況はマイページの注文履歴からご確認いただけます。\n"
     "https://www.{shop_domain}/mypage/orders\n\n※このメールは送信専用です。"),
    ("【{bank}】お振込受付のお知らせ",
     "{recipient_name}様\n\nいつも{bank}をご利用いただきありがとうございます。\n以下の内容でお振込を受け付けました。\n\n"
     "受付日時：{date} {time}\n振込先：{company}\n金額：{amount}円\n\nお心当たりのない場合は、カード裏面の電話番号までご連絡ください。\n"
     "{bank} https://www.{bank_domain}/"),
    ("{shop}メールマガジン　{season}の新商品のご案内",
     "{recipient_name}様\n\n{shop}より{season}の新商品のご案内です。\n会員様限定でポイント{points}倍キャンペーンを実施中です。\n"
     "{product}など人気商品も入荷しました。\n詳しくは https://www.{shop_domain}/campaign をご覧ください。\n\n"
     "配信停止はマイページの設定から行えます。"),
    ("Re: {topic}の件",
     "{recipient_first}さん\n\nありがとうございます。確認しました。\n{issue}については、来週{day}までに対応します。\n"
     "テストの結果は{sender_first}から共有してもらいます。\n\nThanks, {sender_first}"),
    ("{club}の練習日程",
     "{club}の皆さん\n\n来月の練習日程です。\n{day} {time}〜 {place}\n{rain_day} {time}〜 {place}\n\n"
     "参加できない人は{sender_first}まで連絡をお願いします。会費は{amount_small}円です。"),
    ("ﾊﾟｽﾜｰﾄﾞ変更のお知らせ（{system}）",
     "{recipient_name}様\n\n{system}のﾊﾟｽﾜｰﾄﾞ有効期限が{day}に切れます。\n社内ﾎﾟｰﾀﾙからご自身で変更してください。\n"
     "不明な点は情報システム部（内線{extension}）までお問い合わせください。"),
    ("【{bank}】ログインのお知らせ",
     "{recipient_name}様\n\n{bank}インターネットバンキングへのログインがありました。\n\nログイン日時：{date} {time}\n"
     "お心当たりのない場合は、パスワードを変更のうえ{bank}までお問い合わせください。\n"
     "当行からメールでパスワードや暗証番号をお尋ねすることはありません。\n{bank} https://www.{bank_domain}/"),
    ("【{card}】ご利用代金確定のお知らせ",
     "{card}会員様\n\n{date}締めのご利用代金が確定しました。\nお支払い金額：{amount}円\nお支払い日：{day}\n\n"
     "明細は会員サイトでご確認ください。\nhttps://www.{bank_domain}/card/"),
    ("Meeting notes / 会議メモ {date}",
     "Hi all,\n\nNotes from today's review of {project}:\n- {topic}: done\n- release planned for {day}\n\n"
     "日本語版の資料は{sender_name}が更新します。\nRegards,\n{sender_first}"),
]

SPAM = [
    ("【重要】{bank}　お客様情報の確認のお願い",
     "{bank}をご利用のお客様\n\nお客様の口座に不正なアクセスがありました。\nお取引を一時的に制限しております。\n"
     "下記URLから本日中にお客様情報の確認を行ってください。\n{phish_url}\n\n"
     "確認が取れない場合、口座のご利用を停止させていただきます。\n{bank}　セキュリティ担当"),
    ("【{shop}】アカウントの支払い方法を更新してください",
     "{shop}をご利用いただきありがとうございます。\n\nお客様のアカウントに登録されているお支払い方法の有効期限が切れています。\n"
     "24時間以内に情報を更新しない場合、アカウントは停止されます。\n\n今すぐ更新する：{phish_url}\n\n"
     "{shop}カスタマーサービス"),
    ("ご当選おめでとうございます！{prize}が当たりました",
     "{recipient_first}様\n\nおめでとうございます！\n厳正なる抽選の結果、{prize}に当選されました！\n"
     "受け取り手続きは下記から{deadline}までにお願いします。\n{spam_url}\n\n※手数料{fee}円が必要です。"),
    ("【完全無料】{girl}からメッセージが届いています",
     "{girl}さんからあなたへメッセージが届いています。\n\n「はじめまして♪ プロフィールを見て気になっちゃいました。"
     "今夜会えませんか？」\n\nメッセージを読む（無料）\n{spam_url}\n\n配信停止はこちら {spam_url}"),
    ("スマホだけで月{income}万円！在宅副業のご案内",
     "在宅で簡単に稼げる副業をご紹介します。\n・1日たったの{minutes}分\n・スマホだけでOK\n・初心者でも月{income}万円の実績\n\n"
     "先着{count}名様限定！今すぐ無料登録\n{spam_url}\n\n※この機会をお見逃しなく！"),
    ("未払い料金のお知らせ【{carrier_bill}】",
     "{recipient_name}様\n\nご利用料金{amount}円のお支払いが確認できておりません。\n本日中にお支払いいただけない場合、"
     "法的手続きに移行いたします。\n\nお支払い手続き：{phish_url}\n\n{carrier_bill}　料金センター"),
    ("ｷｬﾝﾍﾟｰﾝ当選のお知らせ　{prize}ﾌﾟﾚｾﾞﾝﾄ",
     "ｵﾒﾃﾞﾄｳｺﾞｻﾞｲﾏｽ!!\nｱﾅﾀ様が{prize}ﾌﾟﾚｾﾞﾝﾄｷｬﾝﾍﾟｰﾝに当選しました。\n受け取りはｺﾁﾗ→{spam_url}\n"
     "期限：{deadline}まで"),
    ("【{card}】ご利用確認のお願い",
     "{card}会員様\n\nお客様のカードで不審なご利用が検知されたため、ご利用を一時停止しております。\n"
     "以下のリンクからご本人確認をお願いいたします。\n{phish_url}\n\n"
     "ご本人確認が完了するまでカードはご利用いただけません。\n{card}　不正検知センター"),
    ("【仮想通貨】{coin}で資産{multiple}倍に！",
     "今話題の{coin}で資産を{multiple}倍にした方法を特別に公開します。\n元本保証・リスクなし。\n"
     "LINE登録で無料プレゼント中 → {spam_url}\n\n※先着{count}名様で締め切ります。"),
    ("{recipient_first}様　荷物のお届けについて",
     "お客様宛にお荷物のお届けにあがりましたが不在の為持ち帰りました。\n下記よりご確認ください。\n{phish_url}"),
    ("Your account has been suspended / アカウント停止のお知らせ",
     "Dear customer,\nWe detected unusual sign-in activity. Verify your account within 24 hours.\n{phish_url}\n\n"
     "お客様のアカウントで異常なログインが検出されました。24時間以内にご確認ください。"),
    ("【{bank}】ログインのお知らせ（重要）",
     "{bank}をご利用のお客様\n\n{date} {time}に新しい端末からログインがありました。\n"
     "お客様ご本人でない場合は、直ちに下記よりパスワードの再設定を行ってください。\n{phish_url}\n\n{bank}"),
    ("【{card}】ご利用代金のお支払いについて",
     "{card}会員様\n\n今月のご利用代金{amount}円の引き落としができませんでした。\n"
     "会員サイトにログインし、お支払い方法を変更してください。\n{phish_url}\n\n{card}カスタマーセンター"),
    ("【最終通知】{prize}の受け取り期限が迫っています",
     "{recipient_first}様\n\n先日お知らせした{prize}の受け取りがまだ完了していません。\n{deadline}を過ぎると無効となります。\n"
     "今すぐ受け取る：{spam_url}"),
]

SLOTS = {
    "project": ["新システム", "販売管理", "ウェブサイト改修", "物流センター", "採用計画", "社内研修", "予算策定"],
    "topic": ["画面設計", "テスト計画", "予算", "要件定義", "移行手順", "広報資料", "見積もり"],
    "issue": ["サーバーの容量不足", "仕様の確認漏れ", "納期の調整", "ログイン画面の不具合", "資料の誤字"],
    "room": ["第一会議室", "三階の小会議室", "本社302会議室", "オンライン（Teams）"],
    "day": ["来週月曜", "12月10日", "明後日", "金曜日", "1月15日（木）", "今週水曜"],
    "rain_day": ["翌日", "12月12日", "翌週の土曜"],
    "date": ["2026年12月8日", "2026/12/01", "11月28日", "2026年11月30日"],
    "time": ["10時", "13時30分", "午後2時", "9:00", "18時"],
    "company": ["株式会社山田商事", "有限会社佐藤工務店", "東京デザイン株式会社", "合同会社みなと"],
    "sender_company": ["株式会社北斗システム", "中央印刷株式会社", "株式会社ひかり物産"],
    "sender_name": ["山田太郎", "佐藤花子", "鈴木一郎", "高橋美咲", "田中健二", "伊藤さくら"],
    "recipient_name": ["中村 様", "小林一郎", "加藤恵子", "渡辺 浩", "吉田由美"],
    "sender_first": ["太郎", "花子", "一郎", "美咲", "健二", "さくら"],
    "recipient_first": ["ゆみ", "ひろし", "けいこ", "あきら", "まさと"],
    "product": ["業務用プリンター", "ノートパソコン10台", "名刺印刷", "オフィス家具一式", "冬物コート"],
    "amount": ["132,000", "58,300", "1,280,000", "24,750", "9,980"],
    "amount_small": ["500", "1,000", "300"],
    "school": ["市立桜小学校", "ひまわり幼稚園", "県立北高等学校"],
    "event": ["運動会", "遠足", "授業参観", "学習発表会"],
    "place": ["市民グラウンド", "駅前広場", "中央公園", "体育館", "鎌倉", "箱根"],
    "food": ["おそば", "カレー", "お寿司", "ラーメン"],
    "shop": ["ミドリ堂書店", "サクラネットショップ", "はやぶさ家電", "コトブキ通販"],
    "shop_domain": ["midorido.example.co.jp", "sakura-shop.example.jp", "hayabusa-denki.example.com", "kotobuki.example.ne.jp"],
    "bank": ["みなみ銀行", "ひかり信用金庫", "さくら中央銀行"],
    "bank_domain": ["minami-bank.example.co.jp", "hikari-shinkin.example.jp", "sakura-chuo.example.co.jp"],
    "carrier": ["ヤマネコ運輸", "飛脚便", "ゆうびん"],
    "order": ["250-1234567", "D01-99881", "A-20261208-77"],
    "season": ["冬", "春", "年末"],
    "points": ["3", "5", "10"],
    "club": ["テニス部", "合唱サークル", "少年野球チーム"],
    "system": ["経費精算システム", "勤怠管理", "社内メール"],
    "extension": ["2345", "1101", "3300"],
    "prize": ["iPad", "現金10万円", "商品券5万円分", "最新スマートフォン", "ハワイ旅行"],
    "deadline": ["本日23時59分", "明日正午", "12月9日"],
    "fee": ["1,500", "3,000", "980"],
    "girl": ["みゆ", "あやか", "なな", "りさ"],
    "income": ["30", "50", "100"],
    "minutes": ["5", "10", "15"],
    "count": ["10", "30", "50"],
    "carrier_bill": ["モバイル通信", "電力サービス", "NHK受信料"],
    "card": ["さくらカード", "ミナミVISA", "ひかりJCB"],
    "coin": ["ビットコイン", "新仮想通貨MEX", "AIトレード"],
    "multiple": ["10", "30", "100"],
    "phish_url": ["http://{bank_like}-secure.{tld}/login", "https://{bank_like}.verify-account.{tld}/",
                  "http://{num}.{num}.{num}.{num}/{bank_like}/", "https://bit.example/{code}"],
    "spam_url": ["http://win-{code}.{tld}/", "https://free-{code}.{tld}/r?id={num}", "http://{code}.click.{tld}/"],
}

SPAM_SENDERS = ["info@{bank_like}-support.{tld}", "noreply@{code}.{tld}", "campaign@win-{code}.{tld}",
                "security@{bank_like}.account-{code}.{tld}", "{girl_en}{num}@mail-{code}.{tld}"]
HAM_SENDERS = ["yamada@hokuto-sys.example.co.jp", "sato@chuo-print.example.co.jp", "info@{shop_domain}",
               "notice@{bank_domain}", "hanako.suzuki@example.ne.jp", "teacher@sakura-es.example.ed.jp",
               "taro.tanaka@mail.example.jp", "dev-team@example.com"]
